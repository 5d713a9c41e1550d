#include "NoOfOpponentsDlg.h"

#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

QRect MapDialogRect(const QWidget& dialog, const QRect& units)
{
    const QFontMetrics metrics(dialog.font());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int averageWidth = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2 * 2;
    const int height = metrics.height();
    auto x = [&](int u) { return (u * averageWidth + 2) / 4; };
    auto y = [&](int u) { return (u * height + 4) / 8; };
    return QRect(x(units.x()), y(units.y()), x(units.width()), y(units.height()));
}

CNoOfOpponentsDlg::CNoOfOpponentsDlg(int shown, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(Text(idAppTitle));

    auto* label = new QLabel(Text(idNumberOfOpponents), this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(MapDialogRect(*this, QRect(14, 17, 76, 17)));

    m_comboOpponents = new QComboBox(this);
    m_comboOpponents->setObjectName(QStringLiteral("opponentsCombo"));
    const QRect comboRect = MapDialogRect(*this, QRect(92, 14, 28, 12));
    m_comboOpponents->setGeometry(comboRect.x(), comboRect.y(),
                                  qMax(comboRect.width(), m_comboOpponents->sizeHint().width()),
                                  m_comboOpponents->sizeHint().height());
    for (int n = 1; n <= 5; ++n)
        m_comboOpponents->addItem(QString::number(n));
    m_comboOpponents->setCurrentIndex(qBound(1, shown, 5) - 1);

    auto* ok = new QPushButton(Text(idOk), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setGeometry(MapDialogRect(*this, QRect(38, 44, 50, 14)));
    connect(ok, &QPushButton::clicked, this, &CNoOfOpponentsDlg::accept);

    m_comboOpponents->setFocus();

    // A wider font or combo style than the layout assumed must not cut a control.
    const QRect margin = MapDialogRect(*this, QRect(0, 0, 7, 7));
    const QSize designed = MapDialogRect(*this, QRect(0, 0, 128, 65)).size();
    const QRect used = childrenRect();
    setFixedSize(qMax(designed.width(), used.right() + 1 + margin.width()),
                 qMax(designed.height(), used.bottom() + 1 + margin.height()));
}

int CNoOfOpponentsDlg::DoModal()
{
    return exec();
}

void CNoOfOpponentsDlg::accept()
{
    m_nIndex = m_comboOpponents->currentIndex();
    QDialog::accept();
}
