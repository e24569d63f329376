#include "resources/Strings.h"

QString LoadString(int id)
{
    return QString::fromUtf8(StringText(id));
}

QString FormatString(int id, std::initializer_list<QString> arguments)
{
    std::vector<std::string> utf8;
    for (const QString& argument : arguments)
        utf8.push_back(argument.toStdString());
    return QString::fromStdString(FormatText(id, utf8));
}
