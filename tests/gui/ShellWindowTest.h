#pragma once
// A main window on a temporary program folder, with recorded dialogs and a recorded program end.
#include "shell/Settings.h"
#include "shell/SettingsFile.h"
#include "shell/gui/MainWin.h"
#include "support/FakeDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kx2 {

class ShellWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("prog"));
        programFolder = m_dir.filePath(QStringLiteral("prog"));
        configFolder = m_dir.filePath(QStringLiteral("config"));
    }

    // Builds the window and runs its start-up (reads the settings, shows them).
    MainWin& start(const QString& brand = QStringLiteral("ZP1"))
    {
        settingsFile = std::make_unique<SettingsFile>(programFolder, configFolder);
        win = std::make_unique<MainWin>(settings, *settingsFile, dialogs, programFolder, brand);
        win->setQuitHandler([this] { ++quits; });
        win->Load();
        return *win;
    }

    template <typename T>
    T* find(const char* name, QObject* in = nullptr) const
    {
        return (in ? in : static_cast<QObject*>(win.get()))->findChild<T*>(QString::fromLatin1(name));
    }

    void writeProgramFile(const QString& relative, const QByteArray& bytes) const
    {
        const QString path = QDir(programFolder).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray settingsBytes() const
    {
        QFile f(QDir(programFolder).filePath(QStringLiteral("KX2_DF.INF")));
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return f.readAll();
    }

    QTemporaryDir m_dir;
    QString programFolder;
    QString configFolder;
    Settings settings;
    FakeDialogs dialogs;
    std::unique_ptr<SettingsFile> settingsFile;
    std::unique_ptr<MainWin> win;
    int quits = 0;
};

} // namespace kx2
