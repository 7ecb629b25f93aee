#pragma once

#include <QtUiTools/QUiLoader>

// QUiLoader that also creates the module's custom widgets, from the same
// table as the Designer plugin, so that every form loads.
//
// QUiLoader sets a MultiStateToolButton's text through the property system,
// which passes by the button's own setText (the one that fixes its width);
// loadForm() calls that setter afterwards, as uic's code does.
class CustomWidgetLoader : public QUiLoader
{
    Q_OBJECT

public:
    explicit CustomWidgetLoader(QObject *parent = nullptr);

    QWidget *createWidget(const QString &className, QWidget *parent = nullptr,
                          const QString &name = QString()) override;

    // load(), then every MultiStateToolButton's text again through its setter.
    QWidget *loadForm(QIODevice *ui);
};
