#include "cli/CommandArgs.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

bool IsNegativeNumber(const QString& arg) {
    return arg.size() > 1 && arg[0] == u'-' &&
           std::all_of(arg.begin() + 1, arg.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

bool CommandArgs::Parse(const QString& command, const QStringList& args,
                        std::initializer_list<CommandOption> options, QString* reason) {
    m_command = command;
    m_values.clear();
    m_positional.clear();
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        // A lone "-" is a file name (standard input or output by convention), and "-" followed by
        // digits is a negative number; neither is an option.
        if (!arg.startsWith(u'-') || arg.size() == 1 || IsNegativeNumber(arg)) {
            m_positional << arg;
            continue;
        }
        const CommandOption* option = nullptr;
        for (const CommandOption& o : options) {
            if (arg == QLatin1StringView(o.name) || (o.alias && arg == QLatin1StringView(o.alias)))
                option = &o;
        }
        if (!option) {
            *reason = QStringLiteral("%1: unknown option '%2'").arg(command, arg);
            return false;
        }
        const QString name = QString::fromLatin1(option->name);
        if (m_values.contains(name)) {
            *reason = QStringLiteral("%1 takes one %2").arg(command, arg);
            return false;
        }
        if (!option->valueName) {
            m_values.insert(name, QString());
            continue;
        }
        if (i + 1 >= args.size()) {
            *reason = QStringLiteral("%1 needs %2").arg(arg, QLatin1StringView(option->valueName));
            return false;
        }
        m_values.insert(name, args[++i]);
    }
    return true;
}

bool CommandArgs::TakeOne(const char* what, QString* value, QString* reason) const {
    if (m_positional.isEmpty()) {
        *reason = QStringLiteral("%1 needs %2").arg(m_command, QLatin1StringView(what));
        return false;
    }
    if (m_positional.size() > 1) {
        // "a SKIN" is one SKIN.
        QString name = QString::fromLatin1(what);
        name = name.mid(name.indexOf(u' ') + 1);
        *reason = QStringLiteral("%1 takes one %2, got '%3' too").arg(m_command, name, m_positional[1]);
        return false;
    }
    *value = m_positional.first();
    return true;
}

bool TakeOptionValue(const QString& command, QStringList* args, const char* name, const char* valueName,
                     QString* value, QString* reason) {
    bool seen = false;
    for (qsizetype i = 0; i < args->size();) {
        if ((*args)[i] != QLatin1StringView(name)) {
            ++i;
            continue;
        }
        if (seen) {
            *reason = QStringLiteral("%1 takes one %2").arg(command, QLatin1StringView(name));
            return false;
        }
        if (i + 1 >= args->size()) {
            *reason =
                QStringLiteral("%1 needs %2").arg(QLatin1StringView(name), QLatin1StringView(valueName));
            return false;
        }
        seen = true;
        *value = (*args)[i + 1];
        args->remove(i, 2);
    }
    return true;
}

bool ParseSizeText(const QString& text, int limit, int* width, int* height) {
    static const QRegularExpression form(QStringLiteral("^(\\d+)x(\\d+)$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    bool okWidth = false, okHeight = false;
    const int w = m.captured(1).toInt(&okWidth);
    const int h = m.captured(2).toInt(&okHeight);
    if (!okWidth || !okHeight || w < 1 || h < 1 || w > limit || h > limit)
        return false;
    *width = w;
    *height = h;
    return true;
}
