#include "view/TavroView.h"

#include "view/CommandIds.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

QImage CTavroView::Picture() {
    overlayOnlyPaint = false;
    return grabFramebuffer().convertToFormat(QImage::Format_RGB888);
}

void CTavroView::CopyPictureToClipboard() {
    const QImage picture = Picture();
    if (!picture.isNull())
        QApplication::clipboard()->setImage(picture);
}

QRect CTavroView::PrintPlacement(QSize image, QSize page) {
    if (image.isEmpty() || page.isEmpty())
        return {};
    // As large as the page allows with the picture's proportions kept, centred.
    const double scale = std::min(static_cast<double>(page.width()) / image.width(),
                                  static_cast<double>(page.height()) / image.height());
    const int w = static_cast<int>(image.width() * scale);
    const int h = static_cast<int>(image.height() * scale);
    return QRect((page.width() - w) / 2, (page.height() - h) / 2, w, h);
}

void CTavroView::PrintTo(QPrinter& printer) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool wasPrinting = printing;
    printing = false;
    const QImage picture = Picture();
    printing = wasPrinting;
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    painter.drawImage(PrintPlacement(picture.size(), page.size()).translated(page.topLeft()),
                      picture);
    painter.end();
    QApplication::restoreOverrideCursor();
}

bool CTavroView::RunPrintCommand(int id) {
    QPrinter printer(QPrinter::HighResolution);
    printing = true;
    if (id == ID_FILE_PRINT_PREVIEW) {
        QPrintPreviewDialog preview(&printer, this);
        connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                [this](QPrinter* target) { PrintTo(*target); });
        preview.exec();
    } else {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted)
            PrintTo(printer);
    }
    printing = false;
    Redraw();
    return true;
}
