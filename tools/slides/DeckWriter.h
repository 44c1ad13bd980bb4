#pragma once

#include "SlideOutline.h"

#include <QFont>
#include <QString>
#include <QVector>

class QPainter;
class QPaintDevice;

// Renders a slide outline as a PDF deck of 16:9 pages: a title page, then one page per
// slide, continued on further pages when its items do not fit.
class DeckWriter {
public:
    explicit DeckWriter(const SlideOutline& outline);

    // Writes the deck to path (through a temporary file, so a failure leaves no half deck).
    // Returns false and sets errorString() when the file cannot be written.
    bool write(const QString& path);
    QString errorString() const { return m_error; }

private:
    // One laid-out line of a slide body.
    struct Row {
        SlideItem::Kind kind = SlideItem::Kind::Bullet;
        QString text;
        bool startsItem = false;   // first row of a bullet (draws the marker) or of a code block
        bool endsItem = false;     // last row of a code block
        qreal height = 0;
    };

    QVector<Row> layoutBody(const Slide& slide, QPaintDevice* device) const;
    QStringList wrap(const QString& text, const QFont& font, qreal width, QPaintDevice* device) const;
    int takeRows(const QVector<Row>& rows, int from, qreal top) const;
    qreal gapBefore(const Row& row) const;

    void paintTitlePage(QPainter& painter) const;
    void paintBackground(QPainter& painter) const;
    qreal paintSlideTitle(QPainter& painter, const QString& title) const;
    void paintRows(QPainter& painter, const QVector<Row>& rows, int from, int to, qreal top) const;
    void paintFooter(QPainter& painter, int pageNumber) const;

    const SlideOutline& m_outline;
    QFont m_titleFont;
    QFont m_bodyFont;
    QFont m_codeFont;
    QFont m_footerFont;
    QString m_error;
};
