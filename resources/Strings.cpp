#include "resources/Strings.h"

QString LoadString(int id)
{
    return QString::fromUtf8(StringText(id));
}

QString FormatString(int id, std::initializer_list<QString> arguments)
{
    const QString pattern = LoadString(id);
    static const QString placeholder = QStringLiteral("%s");
    QString result;
    qsizetype from = 0;
    for (const QString& argument : arguments) {
        const qsizetype at = pattern.indexOf(placeholder, from);
        if (at < 0)
            break;
        result += QStringView(pattern).mid(from, at - from);
        result += argument;
        from = at + placeholder.size();
    }
    result += QStringView(pattern).mid(from);
    return result;
}
