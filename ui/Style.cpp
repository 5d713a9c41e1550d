#include "Style.h"

#include "StringTable.h"

#include <QPalette>
#include <QWidget>

void SetGoldOnFelt(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, kFeltGreen);
    palette.setColor(QPalette::AlternateBase, kFeltGreen);
    palette.setColor(QPalette::Window, kFeltGreen);
    palette.setColor(QPalette::Text, kGold);
    widget->setPalette(palette);
}

QFont TableFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

QString Text(unsigned id)
{
    return QString::fromStdString(LoadString(id));
}
