#include "view/VideoCodecDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const char* const kCodecKey = "Video/Codec";

} // namespace

CVideoCodecDialog::CVideoCodecDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Video Compression");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Compressor:", this));
    list = new QComboBox(this);
    list->setObjectName("codecList");
    const VideoCodec stored = StoredCodec();
    for (const VideoCodecInfo& info : VideoCodecList()) {
        if (!IsVideoCodecAvailable(info.codec))
            continue;
        list->addItem(info.label, static_cast<int>(info.codec));
        if (info.codec == stored)
            list->setCurrentIndex(list->count() - 1);
    }
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

VideoCodec CVideoCodecDialog::Codec() const {
    return static_cast<VideoCodec>(list->currentData().toInt());
}

void CVideoCodecDialog::accept() {
    QSettings().setValue(kCodecKey, VideoCodecOf(Codec()).key);
    QDialog::accept();
}

VideoCodec CVideoCodecDialog::StoredCodec() {
    const std::string key = QSettings().value(kCodecKey, "mjpeg").toString().toStdString();
    const VideoCodecInfo* info = FindVideoCodec(key);
    if (info && IsVideoCodecAvailable(info->codec))
        return info->codec;
    return VideoCodec::Mjpeg;
}
