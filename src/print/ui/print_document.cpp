// The one way a window's pages reach a printer.
#include "print/ui/print_document.h"

#include <QCoreApplication>
#include <QPrinter>

#include "print/qt/page_renderer.h"

namespace hl {

namespace {

// The pictures a print-out carries, by the handles its pages give them.
class PrintOutPictures : public PictureSource {
  public:
    explicit PrintOutPictures(const PrintOut& out) : out_(out) {}
    QImage Picture(std::uint64_t handle) const override {
        if (handle == 0 || handle > out_.pictures.size())
            return {};
        return out_.pictures[handle - 1];
    }

  private:
    const PrintOut& out_;
};

} // namespace

std::string PrintText(const std::string& text) {
    return QCoreApplication::translate("PrintOut", text.c_str()).toStdString();
}

PrintResult PrintOrRefuse(Services& services, const std::string& name, const PrintOut& out) {
    if (out.refusal) {
        services.Tell(PrintText(out.refusal->title), PrintText(out.refusal->text));
        return PrintResult::Cancelled;
    }
    const PrintOutPictures pictures(out);
    const PrintResult result = services.PrintDocument(name, [&](QPrinter& printer) {
        BusyPointer busy(services);
        return RenderReport(out.pages, printer, &pictures);
    });
    if (result == PrintResult::Failed) {
        services.Beep();
        services.Tell(PrintText(kPrintFailedTitle), PrintText(kPrintFailedText));
    }
    return result;
}

} // namespace hl
