#pragma once

#include <QObject>

class MapDocument;
class MessageBox;
class QCheckBox;
class QComboBox;
class Texts;

/// The choosers and switches that set the map's frame.
struct FrameControls {
    QComboBox* Combo3;  ///< input span
    QComboBox* Combo2;  ///< output span
    QComboBox* Combo4;  ///< resolution
    QComboBox* Combo1;  ///< serial port
    QCheckBox* Check1;  ///< input filter
    QCheckBox* Check2;  ///< output filter
};

/// Handlers of the span, resolution and port choosers and of the filter switches. Only the
/// user's choices reach them: a choice in a chooser's open list or with the keyboard while
/// it has the focus. A chooser set by the program, or a wheel turned over a closed chooser,
/// changes nothing.
class FrameChoosers : public QObject {
    Q_OBJECT

public:
    FrameChoosers(const FrameControls& controls, MapDocument& document, MessageBox& messageBox,
                  const Texts& texts, QObject* parent = nullptr);

    /// The same curve now spans the new input range: new row labels, chart redrawn.
    void InputSpanChosen(int listPosition);
    /// The curve keeps its shape relative to the new output span.
    void OutputSpanChosen(int listPosition);
    /// Resamples the curve at the new breakpoints, after a question when there are fewer.
    void ResolutionChosen(int listPosition);
    void PortChosen(int listPosition);
    void InputFilterSwitched(bool on);
    void OutputFilterSwitched(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Yes to the question about fewer breakpoints.
    bool ConfirmResolutionDecrease();

    FrameControls controls_;
    MapDocument& document_;
    MessageBox& messageBox_;
    const Texts& texts_;
};
