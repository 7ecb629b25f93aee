#pragma once

#include <QtUiTools/QUiLoader>

// QUiLoader that also creates the module's custom widgets, from the same
// table as the Designer plugin, so that every form loads.
class CustomWidgetLoader : public QUiLoader
{
    Q_OBJECT

public:
    explicit CustomWidgetLoader(QObject *parent = nullptr);

    QWidget *createWidget(const QString &className, QWidget *parent = nullptr,
                          const QString &name = QString()) override;
};
