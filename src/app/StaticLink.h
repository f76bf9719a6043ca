#pragma once

#include <QColor>
#include <QLabel>

// A text that opens a web address when clicked: underlined, blue until visited, then purple.
class CStaticLink : public QLabel {
    Q_OBJECT
public:
    static inline const QColor kUnvisited{0, 0, 255};
    static inline const QColor kVisited{128, 0, 128};

    explicit CStaticLink(const QString& text, const QString& link = QString(),
                         QWidget* parent = nullptr);
    QString Link() const { return link; }
    QColor TextColour() const { return colour; }
    // Opens the link (the text itself when no link is set); false when the system refused.
    bool Open();

Q_SIGNALS:
    void Opened(bool succeeded);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyColour();

    QString link;
    QColor colour = kUnvisited;
};
