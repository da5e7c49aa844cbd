#pragma once
// Numbers typed into a dialog's edits, read as the file readers read them: a
// decimal point or a decimal comma, blanks around, nothing else. A text that
// is no number is refused with a message naming the field, so that the dialog
// stays open and nothing is stored; it is never taken as 0.

#include <QString>

#include <cstdint>

class QLineEdit;
class QWidget;

enum class EmptyEdit { ReadsAsZero, Refused };

// The edit's number into value; false (after the message, parented to
// parent) when it holds none. field is the name the user knows the edit by.
bool readTypedNumber(QWidget* parent, const QLineEdit* edit, const QString& field, EmptyEdit empty,
                     double& value);
// A whole positive code (an EPSG code) in the same way; empty is refused.
bool readTypedCode(QWidget* parent, const QLineEdit* edit, const QString& field, uint32_t& value);
