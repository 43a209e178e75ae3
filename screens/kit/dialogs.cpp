#include "screens/kit/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

bool QtDialogs::confirm(QWidget *parent, const QString &text, const QString &title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        == QMessageBox::Ok;
}

std::optional<QString> QtDialogs::askText(QWidget *parent, const QString &prompt, const QString &title,
                                          const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtDialogs::inform(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox::information(parent, title, text);
}

bool QtDialogs::choose(QWidget *parent, const QString &text, const QString &title, const QString &first,
                       const QString &second)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *firstButton = box.addButton(first, QMessageBox::AcceptRole);
    box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(firstButton);
    box.exec();
    return box.clickedButton() == firstButton;
}

std::optional<QString> QtDialogs::askSavePath(QWidget *parent, const QString &title, const QString &suggested)
{
    const QString path = QFileDialog::getSaveFileName(
        parent, title, suggested,
        suggested.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? QStringLiteral("CSV (*.csv)") : QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

Dialogs::Unsaved QtDialogs::askUnsaved(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QPushButton *save = box.addButton(QStringLiteral("保存する"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Unsaved::Save;
    return box.clickedButton() == discard ? Unsaved::Discard : Unsaved::Cancel;
}

std::unique_ptr<QObject> QtDialogs::showWaiting(QWidget *parent, const QString &text, const QString &title)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Information, title, text, QMessageBox::NoButton, parent);
    box->setStandardButtons(QMessageBox::NoButton);
    box->setWindowModality(Qt::ApplicationModal);
    // No close button: the wait ends by itself, within a few seconds.
    box->setWindowFlags((box->windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
    box->show();
    return box;
}
