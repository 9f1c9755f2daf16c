#include "platform/PreviewWindow.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/ControlQt.h"
#include "platform/Resources.h"

namespace platform {
namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }

// The box the owner paints on: every paint hands it the whole box.
class TPreviewBox : public QWidget {
 public:
  explicit TPreviewBox(TPreviewWindow& owner) : owner_(owner) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!owner_.OnPaintPreview) return;
    QPainter painter(this);
    const auto canvas = MakePainterCanvas(painter);
    RunGuarded([&] { owner_.OnPaintPreview(*canvas, width(), height()); });
  }

 private:
  TPreviewWindow& owner_;
};

QPixmap PrinterPicture() {
  QPixmap picture = QPixmap::fromImage(ImageOf(ToolbarGlyph("PRINTER")));
  picture.setMask(picture.createMaskFromColor(QColor(0, 128, 128), Qt::MaskInColor));
  return picture;
}
}  // namespace

struct TPreviewWindow::Impl {
  QDialog dialog;
  QToolButton* print;
  QPushButton *settings, *close;
  TPreviewBox* box;

  explicit Impl(TPreviewWindow& owner) {
    dialog.setObjectName("PreviewForm");
    dialog.setSizeGripEnabled(true);
    dialog.setMinimumSize(500, 300);
    dialog.resize(836, 563);
    auto* panel = new QHBoxLayout;
    print = new QToolButton;
    print->setObjectName("PrintButton");
    print->setIcon(PrinterPicture());
    print->setIconSize(QSize(24, 24));
    settings = new QPushButton;
    settings->setObjectName("SettingsButton");
    close = new QPushButton;
    close->setObjectName("CloseButton");
    panel->addWidget(print);
    panel->addWidget(settings);
    panel->addWidget(close);
    panel->addStretch();
    box = new TPreviewBox(owner);
    box->setObjectName("Preview");
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(panel);
    layout->addWidget(box, 1);
    // Buttons run like every event handler: an error is shown, not thrown
    // through Qt.
    auto run = [](const std::function<void()>& handler) { RunGuarded([&] { if (handler) handler(); }); };
    QObject::connect(print, &QToolButton::clicked, [&owner, run] { run(owner.OnPrint); });
    QObject::connect(settings, &QPushButton::clicked, [&owner, run] { run(owner.OnSettings); });
    QObject::connect(close, &QPushButton::clicked, [&owner, run] {
      if (owner.OnClose) run(owner.OnClose);
      else owner.Close();
    });
  }
};

TPreviewWindow::TPreviewWindow() : impl_((EnsureApplication(), std::make_unique<Impl>(*this))) {}
TPreviewWindow::~TPreviewWindow() = default;

void TPreviewWindow::SetTexts(const std::string& caption, const std::string& settings, const std::string& close,
                              const std::string& printHint) {
  impl_->dialog.setWindowTitle(Text(caption));
  impl_->settings->setText(Text(settings));
  impl_->close->setText(Text(close));
  impl_->print->setToolTip(Text(printHint));
}

std::string TPreviewWindow::Caption() const { return impl_->dialog.windowTitle().toStdString(); }

void TPreviewWindow::ShowModal() {
  if (Hook) return Hook(*this);
  if (Headless()) return;
  QDialog& d = impl_->dialog;
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    d.move(screen->availableGeometry().center() - d.rect().center());
  d.exec();
}

void TPreviewWindow::Close() { impl_->dialog.reject(); }
void TPreviewWindow::RepaintPreview() { impl_->box->update(); }
int TPreviewWindow::PreviewWidth() const { return impl_->box->width(); }
int TPreviewWindow::PreviewHeight() const { return impl_->box->height(); }

}  // namespace platform
