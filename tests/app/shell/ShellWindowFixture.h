#pragma once

#include "core/ports/Backup.h"
#include "core/shell/AppState.h"
#include "core/shell/NewInstallation.h"
#include "core/shell/Operators.h"
#include "core/store/GeneralRulesRecord.h"
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
class ShellWindowFixture : public ::testing::Test, protected FakeStore {
protected:
    struct Operator {
        std::string name;
        std::string password;
        int level;
    };

    void SetUp() override
    {
        ASSERT_TRUE(core::createNewInstallation(folder.path(), clock.date));
        state.loadOptions();
    }

    void setOperators(const std::vector<Operator>& operators)
    {
        auto& r = state.records().rules();
        r.NumOperadores = static_cast<std::int16_t>(operators.size());
        for (std::size_t i = 0; i < operators.size(); ++i) {
            r.NomeOperador[i] = operators[i].name;
            r.NivelOperador[i] = static_cast<std::int16_t>(operators[i].level);
            core::storePassword(r, static_cast<int>(i + 1), operators[i].password);
        }
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
