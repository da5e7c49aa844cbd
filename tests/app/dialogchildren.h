#pragma once
// Reaching into a dialog's form by object name, failing the test when a
// child is missing.

#include <QDialogButtonBox>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

template <class T> T* child(QWidget* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no child " << name;
    return found;
}

// Clicks a button of the dialog's "buttonBox", so its accepted() or
// rejected() slots run.
inline void press(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = child<QDialogButtonBox>(dialog, "buttonBox");
    ASSERT_NE(box->button(which), nullptr);
    box->button(which)->click();
}
