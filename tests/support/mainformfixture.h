#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "core/files/settings.h"
#include "gui/mainwindow/csvcommands.h"
#include "gui/mainwindow/editcommands.h"
#include "gui/mainwindow/filecommands.h"
#include "gui/mainwindow/helpcommands.h"
#include "gui/mainwindow/mainform.h"
#include "gui/mainwindow/modelcommands.h"
#include "gui/mainwindow/portcommands.h"
#include "gui/mainwindow/radiocommands.h"
#include "gui/mainwindow/statuspanels.h"
#include "gui/mainwindow/undocommands.h"
#include "support/guitestsupport.h"
#include "support/tempsettings.h"

// A main window on a temporary settings store, with every dialog answered by script.
class MainFormTest : public ::testing::Test {
protected:
    void StoreConfiguration(const char* model, const char* type) {
        Temp.Set(QStringLiteral("Model"), QString::fromLatin1(model));
        Temp.Set(QStringLiteral("Type"), QString::fromLatin1(type));
    }

    TMainForm& Start(QStringList arguments = {}) {
        Store = std::make_unique<TSettingsStore>();
        Form = std::make_unique<TMainForm>(*Store, std::move(arguments), TSplash::Skipped);
        Form->show();
        // Focus only moves inside the active window.
        Form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        return *Form;
    }

    TTempSettings Temp;
    TScriptedMessages Messages;
    TScriptedFileDialogs Files;
    TScriptedDialogs Dialogs;
    std::unique_ptr<TSettingsStore> Store;
    std::unique_ptr<TMainForm> Form;
};
