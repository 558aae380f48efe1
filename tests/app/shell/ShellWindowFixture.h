#pragma once

#include "core/ports/Backup.h"
#include "support/FakeStore.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::test {

class FakeBackup final : public core::Backup {
public:
    bool available() const override { return true; }
    bool backup(const std::string&) override { return true; }
    bool backupOnExit(const std::string&) override { return true; }
    bool restore() override { return false; }
};

// A new installation loaded into a state with scripted ports, for the shell's windows.
class ShellWindowFixture : public ::testing::Test, protected InstalledStore {
protected:
    using Operator = OperatorRow;

    void setOperators(const std::vector<Operator>& operators)
    {
        test::setOperators(state.records().rules(), operators);
    }

    template <class T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void type(QWidget& window, const char* name, const QString& text)
    {
        child<QLineEdit>(window, name)->setText(text);
    }

    static void click(QWidget& window, const char* name)
    {
        child<QAbstractButton>(window, name)->click();
    }

    FakeBackup backup;
};

} // namespace tavolim::test
