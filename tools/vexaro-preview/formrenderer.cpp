#include "formrenderer.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QSaveFile>
#include <QtCore/QTextStream>
#include <QtGui/QCursor>
#include <QtGui/QImage>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>
#include <QtWidgets/QWidget>

#include <functional>

namespace {

// Style sheets react to these states; re-polishing makes them take effect.
void repolish(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

QAbstractButton *firstButton(QWidget *host)
{
    const QList<QAbstractButton *> buttons = host->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->isVisibleTo(host) && button->isEnabled() && button->width() > 4 && button->height() > 4)
            return button;
    }
    return nullptr;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

FormRenderer::FormRenderer(const FormCatalog &catalog, const QDir &outputDir)
    : m_catalog(catalog)
    , m_dir(outputDir)
{
}

bool FormRenderer::save(const QImage &image, const QString &file)
{
    if (!image.save(m_dir.filePath(file), "PNG")) {
        m_error = QStringLiteral("cannot write %1").arg(m_dir.filePath(file));
        return false;
    }
    return true;
}

bool FormRenderer::render(const FormCatalog::Form &form)
{
    QWidget host;
    if (!m_catalog.build(form.slot, &host)) {
        m_error = QStringLiteral("slot %1 gave no form object").arg(form.slot);
        return false;
    }
    // A window shown under the pointer has the widget there hovered (Qt 6
    // says so even offscreen, where the pointer starts inside a window at the
    // origin): the form goes beside the pointer, so the plain picture is plain.
    host.move(QCursor::pos() + QPoint(1, 1));
    host.show();
    settle();

    Picture picture{form, form.name + QStringLiteral(".png"), host.size(), {}, {}};
    if (!save(host.grab().toImage(), picture.file))
        return false;

    if (QAbstractButton *button = firstButton(&host)) {
        picture.stateButton = button->objectName();
        const QRect area = QRect(button->mapTo(&host, QPoint(0, 0)), button->size()).adjusted(-8, -8, 8, 8) & host.rect();
        struct State
        {
            const char *name;
            std::function<void(bool)> apply;
        };
        const State states[] = {
            {"hover", [button](bool on) { button->setAttribute(Qt::WA_UnderMouse, on); }},
            {"pressed", [button](bool on) { button->setDown(on); }},
            {"focus", [button, &host](bool on) {
                 if (on) {
                     QApplication::setActiveWindow(&host);
                     button->setFocus(Qt::TabFocusReason);
                 } else {
                     button->clearFocus();
                 }
             }},
            {"disabled", [button](bool on) { button->setEnabled(!on); }},
        };
        for (const State &state : states) {
            // Only the state shown: a focused button would look focused in all.
            if (QWidget *focused = QApplication::focusWidget())
                focused->clearFocus();
            state.apply(true);
            repolish(button);
            settle();
            const QString file = QStringLiteral("%1.%2.png").arg(form.name, QLatin1String(state.name));
            if (!save(host.grab(area).toImage(), file))
                return false;
            picture.stateFiles.append(file);
            state.apply(false);
            repolish(button);
        }
    }
    m_pictures.append(picture);
    return true;
}

bool FormRenderer::writeIndex(const QString &title)
{
    // The getter atlas, when one was written beside the pictures
    // (vexaro-preview --atlas DIR/atlas, as scripts/run.sh does).
    const QDir atlas(m_dir.filePath(QStringLiteral("atlas")));
    const bool withAtlas = atlas.exists(QStringLiteral("index.html"));
    QString html;
    QTextStream s(&html);
    s << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" << title.toHtmlEscaped()
      << "</title>\n<style>\n"
         "body { font-family: sans-serif; background: #eceff1; margin: 24px; }\n"
         ".forms { display: flex; flex-wrap: wrap; gap: 20px; align-items: flex-start; }\n"
         "figure { background: white; margin: 0; padding: 12px; border-radius: 6px; box-shadow: 0 1px 3px #0003; }\n"
         "figure img { display: block; max-width: 900px; background: repeating-conic-gradient(#ddd 0 25%, #fff 0 50%) 0 0 / 16px 16px; }\n"
         "figcaption { margin-top: 8px; font-size: 13px; color: #333; }\n"
         "figcaption a, .atlas { color: #1864ab; }\n"
         ".states { display: flex; gap: 8px; margin-top: 8px; font-size: 11px; color: #666; }\n"
         "</style></head><body>\n<h1>"
      << title.toHtmlEscaped() << "</h1>\n";
    if (withAtlas)
        s << "<p><a class=\"atlas\" href=\"atlas/index.html\">Getter atlas</a>: which getter is which widget, form by form</p>\n";
    s << "<div class=\"forms\">\n";
    for (const Picture &p : m_pictures) {
        s << "<figure id=\"" << p.form.name << "\"><img src=\"" << p.file.toHtmlEscaped() << "\" alt=\""
          << p.form.name << "\">\n<figcaption><b>" << p.form.name << "</b> &middot; slot " << p.form.slot << " ("
          << p.form.operation << ") &middot; " << p.size.width() << " &times; " << p.size.height();
        if (withAtlas && atlas.exists(p.form.name + QStringLiteral(".html")))
            s << " &middot; <a href=\"atlas/" << p.form.name << ".html\">getters</a>";
        s << "</figcaption>\n";
        if (!p.stateFiles.isEmpty()) {
            s << "<div class=\"states\">";
            for (const QString &file : p.stateFiles) {
                const QString state = file.section(QLatin1Char('.'), -2, -2);
                s << "<div><img src=\"" << file.toHtmlEscaped() << "\" alt=\"" << state << "\"><br>"
                  << p.stateButton.toHtmlEscaped() << ": " << state << "</div>";
            }
            s << "</div>\n";
        }
        s << "</figure>\n";
    }
    s << "</div>\n</body></html>\n";

    QSaveFile file(m_dir.filePath(QStringLiteral("index.html")));
    if (!file.open(QIODevice::WriteOnly) || file.write(html.toUtf8()) < 0 || !file.commit()) {
        m_error = QStringLiteral("cannot write %1").arg(file.fileName());
        return false;
    }
    return true;
}
