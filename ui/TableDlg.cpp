#include "TableDlg.h"

#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

const char kRanks[] = "23456789TJQKA";

QString Format(unsigned id, int n)
{
    return QString::fromStdString(FormatString(LoadString(id).c_str(), n));
}

QDoubleSpinBox* Amount(double value, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(0, 1e9);
    box->setDecimals(2);
    box->setValue(value);
    return box;
}

}  // namespace

CTableDlg::CTableDlg(const TTable& table, bool drawsOpen, QWidget* parent)
    : QDialog(parent)
    , m_table(table)
{
    setWindowTitle(Text(idTableTitle));
    auto* form = new QFormLayout(this);
    for (int seat = 0; seat < table.m_nOpponents; ++seat) {
        m_apRange[seat] = new QLineEdit(QString::fromStdString(table.m_astrRangeWords[seat]), this);
        m_apRange[seat]->setObjectName(QStringLiteral("range%1").arg(seat + 1));
        m_apRange[seat]->setPlaceholderText(QStringLiteral("any"));
        form->addRow(Format(idTableSeatRange, seat + 1), m_apRange[seat]);
        m_apDrew[seat] = new QComboBox(this);
        m_apDrew[seat]->setObjectName(QStringLiteral("drew%1").arg(seat + 1));
        m_apDrew[seat]->addItem(Text(idTableDrewUnseen), kDrawUnseen);
        for (int count = 0; count <= 5; ++count)
            m_apDrew[seat]->addItem(QString::number(count), count);
        m_apDrew[seat]->setCurrentIndex(table.m_anDrew[seat] + 1);
        m_apDrew[seat]->setEnabled(drawsOpen);
        form->addRow(Format(idTableSeatDrew, seat + 1), m_apDrew[seat]);
    }
    m_pOpening = new QComboBox(this);
    m_pOpening->setObjectName(QStringLiteral("opening"));
    for (int rank = 0; rank < 13; ++rank)
        m_pOpening->addItem(QString(QLatin1Char(kRanks[rank])));
    m_pOpening->setCurrentIndex(table.m_nOpenRank);
    form->addRow(Text(idTableOpening), m_pOpening);
    m_pPot = Amount(table.m_dPot, this);
    m_pPot->setObjectName(QStringLiteral("pot"));
    form->addRow(Text(idTablePot), m_pPot);
    m_pCall = Amount(table.m_dCall, this);
    m_pCall->setObjectName(QStringLiteral("call"));
    form->addRow(Text(idTableCall), m_pCall);
    m_pRefusal = new QLabel(this);
    m_pRefusal->setObjectName(QStringLiteral("refusal"));
    m_pRefusal->hide();
    form->addRow(m_pRefusal);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

TTable CTableDlg::Table() const
{
    TTable table = m_table;
    for (int seat = 0; seat < table.m_nOpponents; ++seat) {
        table.m_astrRangeWords[seat] = m_apRange[seat]->text().trimmed().toStdString();
        table.m_anDrew[seat] = m_apDrew[seat]->currentData().toInt();
    }
    table.m_nOpenRank = m_pOpening->currentIndex();
    table.m_dPot = m_pPot->value();
    table.m_dCall = m_pCall->value();
    return table;
}

void CTableDlg::ShowRefusal(const QString& reason)
{
    m_pRefusal->setText(reason);
    m_pRefusal->show();
}
