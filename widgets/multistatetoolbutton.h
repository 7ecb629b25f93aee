#pragma once

#include "vexaroui_export.h"

#include <QtWidgets/QToolButton>

// A tool button used as a tab. Instead of relying on pseudo-states alone it
// switches between three whole style sheets: the one the form gave it, a
// highlight sheet derived from it (bold white text, while focused) and a
// selected sheet supplied by the host for the current page's button. While no
// selected sheet is set the button keeps its form sheet.
class VEXAROUI_EXPORT MultiStateToolButton : public QToolButton
{
    Q_OBJECT
    // Redeclared over QAbstractButton's, so that Designer, QUiLoader and
    // setProperty() reach the button's own setter.
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit MultiStateToolButton(QWidget *parent = nullptr);
    ~MultiStateToolButton() override;

    // Hides QAbstractButton::setText. The first call captures the current
    // style sheet (later sheet changes are not picked up); every call fixes
    // the width to the text in the bold widget font plus the padding (a font
    // that arrives before the button is first polished is measured again).
    // Calling through a QAbstractButton* bypasses the capture and the width.
    void setText(const QString &text);

    // Takes effect at the next leave or focus-out.
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    // Host-supplied look of the current page's button; empty disables the
    // sheet switching altogether.
    void setSelectedSheet(const QString &sheet);
    QString selectedSheet() const { return m_selectedSheet; }

    // Pixels on each side of the text; used from the next setText on.
    void setTextPadding(int pixels);
    int textPadding() const { return m_textPadding; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEnterEvent *event) override;
#else
    void enterEvent(QEvent *event) override;
#endif
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void prepareSheets();
    void fitWidth(const QString &text);
    void applyHighlight();
    void applyNormal();
    void applySelected();

    bool m_sheetsPrepared = false;
    QString m_normalSheet;
    QString m_highlightSheet;
    QString m_selectedSheet;
    int m_textPadding = 0;
    bool m_selected = false;
    bool m_highlighted = false;
    bool m_polished = false;
};
