#pragma once

#include <QString>
#include <memory>

class QSettings;

/// Where the device of "com N" is taken from, strongest first.
enum class PortSource { Environment, Assigned, Standard };

/// The device that "com N" opens and where that comes from.
struct PortDevice {
    QString name;
    PortSource source = PortSource::Standard;
};

/// The devices the user gave to com numbers in the window. They live in the user's own
/// settings, not in the settings file beside the program: an adapter belongs to the
/// computer, whichever folder the program runs from.
class PortAssignments {
public:
    /// The user's settings.
    PortAssignments();
    /// Settings kept in an ini file of their own.
    explicit PortAssignments(const QString& iniFile);
    ~PortAssignments();

    /// Empty when com N has no assignment.
    QString Assigned(int portNumber) const;
    /// An empty device takes the assignment away.
    void Assign(int portNumber, const QString& device);

private:
    std::unique_ptr<QSettings> settings_;
};

/// "SOLVA_TX_COM<N>", the environment variable that names the device of com N.
QString PortVariableName(int portNumber);

/// /dev/ttyS<N-1> on Linux, COM<N> on Windows.
QString StandardPortDevice(int portNumber);

/// The environment variable wins over the user's assignment, which wins over the standard
/// device.
PortDevice ResolvePort(int portNumber, const PortAssignments& assignments);

/// The device that com N opens, with the user's assignments.
QString PortDeviceName(int portNumber);
