#pragma once

#include "benchreferences.h"

#include <memory>

class CustomWidgetLoader;

// The reference builders as the library exports them.
class LinkedReferences : public BenchReferences
{
public:
    LinkedReferences();
    ~LinkedReferences() override;

    UicBuild uicBuild(const QString &form) const override;
    void createUiLoader() override;
    QWidget *loadUi(QIODevice *ui, QString *error) override;
    QStringList tree(QWidget *root) const override;

private:
    std::unique_ptr<CustomWidgetLoader> m_loader;
};
