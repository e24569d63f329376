#include "editors/TitledPage.h"

#include <QPainter>

#include "platform/shell/Density.h"

namespace {
constexpr int kTitleLeft = 5;
constexpr int kTitleTop = 5;
constexpr int kRuleY = 24;
}  // namespace

CTitledPage::CTitledPage(QString title, QWidget* parent) : QWidget(parent), m_title(std::move(title))
{
    setObjectName(QStringLiteral("client"));
}

void CTitledPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int top = ScaleY(kTitleTop);
    const QRect titleBox(ScaleX(kTitleLeft), top, width() - ScaleX(kTitleLeft), ScaleY(kRuleY) - top);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_title);
    painter.fillRect(QRect(0, ScaleY(kRuleY), width(), 1), Qt::black);
}
