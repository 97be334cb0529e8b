// The application's fault reporter: a modal message box that names the fault.  The application goes on once
// the user has read it.
#include <QApplication>
#include <QMessageBox>

#include "fault_box.h"

namespace px {

namespace {
class MessageBoxReporter : public FaultReporter {
public:
    void report(const Fault& fault) override {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("PELAGONIX"),
                        QStringLiteral("Errore di calcolo: %1.").arg(QString::fromUtf8(fault.what())),
                        QMessageBox::Ok, QApplication::activeWindow());
        box.setInformativeText(
            QStringLiteral("Il calcolo si è fermato a questo passo: i risultati già scritti restano."));
        box.exec();
    }
};

MessageBoxReporter gMessageBox;
FaultReporter* gReporter = &gMessageBox;
}  // namespace

FaultReporter& faultReporter() { return *gReporter; }

void setFaultReporter(FaultReporter* reporter) { gReporter = reporter != nullptr ? reporter : &gMessageBox; }

}  // namespace px
