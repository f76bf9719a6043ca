#pragma once

#include "anim/AviWriter.h"

#include <QDialog>

class QComboBox;

// "Video Compression": the codec of a recording, among those this system's FFmpeg can encode.
// The last choice is kept in the settings.
class CVideoCodecDialog : public QDialog {
    Q_OBJECT
public:
    explicit CVideoCodecDialog(QWidget* parent);
    VideoCodec Codec() const;
    void accept() override;

    // The remembered codec (Motion JPEG the first time, or when that one is gone).
    static VideoCodec StoredCodec();

private:
    QComboBox* list = nullptr;
};
