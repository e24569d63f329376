#include "editors/ShortDateFormat.h"

#include <QDateTimeEdit>
#include <QLocale>

void UseKoreanLocale(QDateTimeEdit* picker) { picker->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea)); }

void UseShortDateFormat(QDateTimeEdit* picker)
{
    UseKoreanLocale(picker);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
}
