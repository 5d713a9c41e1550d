#include "AboutDlg.h"

#include "NoOfOpponentsDlg.h"
#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(Text(idAboutTitle));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    const QRect iconRect = MapDialogRect(*this, QRect(11, 15, 20, 20));
    icon->setGeometry(iconRect);
    icon->setPixmap(QIcon(QStringLiteral(":/images/icon128.png")).pixmap(iconRect.size()));

    auto* version = new QLabel(Text(idVersion), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(MapDialogRect(*this, QRect(40, 10, 217, 8)));

    auto* licence = new QLabel(Text(idLicence), this);
    licence->setObjectName(QStringLiteral("licenceLabel"));
    licence->setTextFormat(Qt::PlainText);
    licence->setGeometry(MapDialogRect(*this, QRect(40, 22, 217, 8)));

    auto* ok = new QPushButton(Text(idOk), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setGeometry(MapDialogRect(*this, QRect(110, 40, 50, 16)));
    connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);

    setFixedSize(MapDialogRect(*this, QRect(0, 0, 271, 64)).size());
}

int CAboutDlg::DoModal()
{
    return exec();
}
