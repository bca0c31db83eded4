#pragma once

#include <QFrame>
#include <QString>

// A panel that shows a caption centred over its whole area, beneath any child controls;
// the top bar shows the exercise heading this way while its exercise list is hidden.
class CaptionPanel : public QFrame {
    Q_OBJECT
public:
    explicit CaptionPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};
