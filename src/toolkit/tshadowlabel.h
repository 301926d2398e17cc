#pragma once
// A label drawn twice: first its shadow in the button-highlight colour at the text
// origin, then the text in its font colour one pixel right and down. It takes the
// size of its text plus the shadow.

#include <QLabel>

class TShadowLabel : public QLabel {
    Q_OBJECT
public:
    explicit TShadowLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return text(); }
    void setFontColor(const QColor &color);

    static constexpr int ShadowSize = 1;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitToCaption();
};
