#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// Text of a data or settings file: UTF-8 when the bytes are valid UTF-8 (a leading byte
/// order mark is dropped), otherwise Windows-1250, the code page older Windows systems
/// wrote Hungarian notes in.
QString DecodeFileText(const QByteArray& bytes);

/// Bytes of a text for a data file: Windows-1250, which the Windows program reads, when
/// every character exists there; UTF-8 when one does not, or when the Windows-1250 bytes
/// would themselves pass for UTF-8 ("É–" is C9 96), so that DecodeFileText always gives
/// the text back. ASCII is the same in both.
QByteArray EncodeFileText(const QString& text);

/// Lines of a text; CR LF, LF and a lone CR all end a line. A line break at the very end
/// starts no further line, so "a\r\n" and "a" are both one line, and "" is none.
QStringList SplitLines(const QString& text);

/// Line number (from 1) of the first of lines[first, end) holding a control character
/// other than tab, or 0 when there is none. Such characters never belong in number lines:
/// they mark binary content. Lines past the end of the list are not looked at.
int FirstBinaryLine(const QStringList& lines, qsizetype first, qsizetype end);

/// Every line break of a note (CR LF, LF or CR) as CR LF, the form the file stores.
QString NoteWithCrLf(const QString& note);
