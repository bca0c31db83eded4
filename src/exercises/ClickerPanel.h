#pragma once

#include <QLabel>
#include <functional>

// The clicker panel `TargetClickP`: a white caption on a coloured panel that reports each
// mouse press with its button. Disabled, it keeps its look and reports nothing.
class ClickerPanel : public QLabel {
    Q_OBJECT
public:
    explicit ClickerPanel(QWidget* parent = nullptr);

    void SetLook(const QString& caption, quint32 background);
    quint32 Background() const { return background_; }

    std::function<void(Qt::MouseButton)> OnMouseDown;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    quint32 background_ = 0;
};
