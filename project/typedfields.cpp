#include "typedfields.h"

#include "splitstring.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>

#include <limits>

namespace
{

struct TypedFields {
    Q_DECLARE_TR_FUNCTIONS(TypedFields)
};

void refuse(QWidget* parent, const QLineEdit* edit, const QString& message)
{
    QMessageBox::warning(parent, TypedFields::tr("Not a number"), message);
    if (parent && parent->isVisible())
        const_cast<QLineEdit*>(edit)->setFocus();
}

} // namespace

bool readTypedNumber(QWidget* parent, const QLineEdit* edit, const QString& field, EmptyEdit empty,
                     double& value)
{
    const QString text = edit->text();
    if (text.trimmed().isEmpty()) {
        if (empty == EmptyEdit::ReadsAsZero) {
            value = 0.0;
            return true;
        }
        refuse(parent, edit, TypedFields::tr("%1 is empty.").arg(field));
        return false;
    }
    double v = 0.0;
    if (!parseNumberField(text.toStdString(), v)) {
        refuse(parent, edit, TypedFields::tr("%1: \"%2\" is not a number.").arg(field, text));
        return false;
    }
    value = v;
    return true;
}

bool readTypedCode(QWidget* parent, const QLineEdit* edit, const QString& field, uint32_t& value)
{
    const QString text = edit->text();
    if (text.trimmed().isEmpty()) {
        refuse(parent, edit, TypedFields::tr("%1 is empty.").arg(field));
        return false;
    }
    int64_t v = 0;
    if (!parseIntegerField(text.toStdString(), v) || v <= 0 ||
        v > int64_t(std::numeric_limits<uint32_t>::max())) {
        refuse(parent, edit,
               TypedFields::tr("%1: \"%2\" is not a whole positive number.").arg(field, text));
        return false;
    }
    value = uint32_t(v);
    return true;
}
