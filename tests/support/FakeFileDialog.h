#pragma once
// A recording stand-in for the open, save and folder dialogs: each call takes the next scripted file
// name ("" = cancelled, also when the queue is empty) and is kept with its title, initial name
// and filter.
#include "shell/UserDialogs.h"

#include <QString>
#include <deque>
#include <vector>

namespace kx2 {

class FakeFileDialog : public FileDialog {
public:
    struct Call {
        bool save = false;
        QString title;
        QString initialName;
        QString filter;
        bool folder = false; // the folder choice: initialName is its start folder
    };

    std::deque<QString> names;
    std::vector<Call> calls;

    void chooseNext(const QString& name) { names.push_back(name); }
    void cancelNext() { names.push_back(QString()); }

    QString openFileName(const QString& title, const QString& initialName, const QString& filter) override
    {
        return answer(false, title, initialName, filter);
    }
    QString saveFileName(const QString& title, const QString& initialName, const QString& filter) override
    {
        return answer(true, title, initialName, filter);
    }
    QString folderName(const QString& title, const QString& startFolder) override
    {
        QString name = answer(false, title, startFolder, QString());
        calls.back().folder = true;
        return name;
    }

private:
    QString answer(bool save, const QString& title, const QString& initialName, const QString& filter)
    {
        calls.push_back(Call{save, title, initialName, filter});
        if (names.empty())
            return QString();
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

} // namespace kx2
