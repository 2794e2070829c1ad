#pragma once

#include "widgets/Prompter.h"

#include <QStringList>
#include <deque>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Answers the main window's questions from scripted queues and keeps every text it was shown.
class FakePrompter : public Prompter {
public:
    QStringList shown;        // every message and question, in order
    QStringList fileInitials; // the initial file names the choosers were opened with
    QStringList fileFilters;
    std::deque<Answer> yesNoCancel;
    std::vector<bool> yesNoPresets; // whether Enter said Yes, for each yes-or-no question
    std::deque<bool> okCancel;
    std::deque<QString> files;   // an empty text cancels the chooser
    std::deque<QString> folders; // likewise
    QStringList folderInitials;
    std::deque<std::optional<Colour>> colours;
    std::vector<Colour> colourStarts;
    std::deque<std::optional<QFont>> fonts; // nullopt cancels the chooser
    std::vector<QFont> fontStarts;
    int unexpected = 0; // questions asked with nothing scripted

    void Inform(QWidget*, const QString& text) override { shown << text; }

    Answer AskYesNoCancel(QWidget*, const QString& text) override {
        shown << text;
        return Take(yesNoCancel, Answer::Cancel);
    }
    bool AskOkCancel(QWidget*, const QString& text) override {
        shown << text;
        return Take(okCancel, false);
    }
    // Answered from the yesNoCancel queue: Yes is yes, anything else no.
    bool AskYesNo(QWidget*, const QString& text, bool yesIsPreset) override {
        shown << text;
        yesNoPresets.push_back(yesIsPreset);
        return Take(yesNoCancel, Answer::No) == Answer::Yes;
    }
    QString ChooseFileToOpen(QWidget*, const QString& filter, const QString& initial) override {
        return ChooseFile(filter, initial);
    }
    QString ChooseFileToSave(QWidget*, const QString& filter, const QString& initial) override {
        return ChooseFile(filter, initial);
    }
    QString ChooseFolder(QWidget*, const QString& initial) override {
        folderInitials << initial;
        return Take(folders, QString());
    }
    std::optional<Colour> ChooseColour(QWidget*, Colour initial) override {
        colourStarts.push_back(initial);
        return Take(colours, std::optional<Colour>());
    }
    std::optional<QFont> ChooseFont(QWidget*, const QFont& initial) override {
        fontStarts.push_back(initial);
        return Take(fonts, std::optional<QFont>());
    }

private:
    QString ChooseFile(const QString& filter, const QString& initial) {
        fileFilters << filter;
        fileInitials << initial;
        return Take(files, QString());
    }
    template <class T> T Take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            ++unexpected;
            return fallback;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
