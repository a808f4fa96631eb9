#pragma once
// A small looping picture of a folder being searched: a magnifying glass that
// sweeps over an open folder while pages are looked through.

#include <QTimer>
#include <QWidget>

class SearchAnimation : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStopFrame = 29; // the loop runs frames 0 to 29
    static constexpr int kFrameInterval = 50;

    explicit SearchAnimation(QWidget* parent = nullptr);

    // Starts playing (from where it stood); a playing animation goes on.
    void play();
    void stop();
    bool isPlaying() const { return m_timer.isActive(); }
    int frame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void advance();

    QTimer m_timer;
    int m_frame = 0;
};
