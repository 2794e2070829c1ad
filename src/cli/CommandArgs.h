#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <initializer_list>

// One option a command accepts: its name (and an optional second spelling), and for an option that
// takes a value, how its usage message names that value ("a NAME", "OUT.png"); null for a switch.
struct CommandOption {
    const char* name;
    const char* alias = nullptr;
    const char* valueName = nullptr;
};

// A command's arguments split into options and positional arguments. Every usage message names the
// command, so a script sees at once which call it got wrong.
class CommandArgs {
public:
    // False with a one-line reason on an unknown option, a missing value or an option given twice.
    bool Parse(const QString& command, const QStringList& args, std::initializer_list<CommandOption> options,
               QString* reason);

    bool Has(const char* name) const { return m_values.contains(QLatin1StringView(name)); }
    QString Value(const char* name) const { return m_values.value(QLatin1StringView(name)); }
    const QStringList& Positional() const { return m_positional; }

    // Exactly one positional argument, called what in the messages ("a SKIN").
    bool TakeOne(const char* what, QString* value, QString* reason) const;

private:
    QString m_command;
    QHash<QString, QString> m_values;
    QStringList m_positional;
};

// Takes "NAME VALUE" out of args, leaving the other arguments in order, for an option a command reads
// before it hands the rest on. value keeps what it had when the option is not there; false with a
// usage reason when the value is missing or the option is given twice.
bool TakeOptionValue(const QString& command, QStringList* args, const char* name, const char* valueName,
                     QString* value, QString* reason);

// "WxH" with two whole numbers from 1 to limit, nothing else.
bool ParseSizeText(const QString& text, int limit, int* width, int* height);
