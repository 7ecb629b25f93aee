#pragma once

#include "vexaroui_export.h"

#include <QtWidgets/QLabel>

#include <memory>

class qelidedlabelPrivate;

// A one-line label that keeps its full text and shows it shortened with an
// ellipsis while it is wider than its text area (the contents rectangle less
// margin and indent); the full text is then its tool tip. The shown text
// follows the font, a style sheet's font and padding, and the frame. It is
// also a clickable element: any mouse release, and Space, Return or Enter,
// emit clicked(). Assistive technology reads the whole text.
class VEXAROUI_EXPORT qelidedlabel : public QLabel
{
    Q_OBJECT
    // Redeclared over QLabel's, so that Designer, QUiLoader and setProperty()
    // reach the label's own setters.
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Qt::TextElideMode textElideMode READ textElideMode WRITE setTextElideMode)
    Q_PROPERTY(int margin READ margin WRITE setMargin)
    Q_PROPERTY(int indent READ indent WRITE setIndent)

public:
    explicit qelidedlabel(QWidget *parent = nullptr);
    explicit qelidedlabel(const QString &text, QWidget *parent = nullptr);
    ~qelidedlabel() override;

    // Hides QLabel::text(): the full text, not the shortened one shown.
    // Calling through a QLabel* returns what is displayed.
    QString text() const;

    Qt::TextElideMode textElideMode() const;
    void setTextElideMode(Qt::TextElideMode mode);

    // Pixels of the label's width kept free of text (for an overlaid icon).
    void setReservedWidth(int pixels);

    // Alignment only; the text is not refitted.
    virtual void setAlignment(Qt::Alignment alignment);

    // Hide QLabel's: both narrow the text area, so the text is refitted.
    // Calling through a QLabel* leaves the shown text as it was.
    void setMargin(int margin);
    void setIndent(int indent);

    // The whole text's width plus the frame, margin and indent around it.
    QSize sizeHint() const override;
    // Width -1, so that layouts can shrink the label to any width.
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    // Hides QLabel::setText. Calling through a QLabel* bypasses eliding and
    // the stored full text.
    void setText(const QString &text);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void refit();
    int chromeWidth() const;

    std::unique_ptr<qelidedlabelPrivate> const d;
};
