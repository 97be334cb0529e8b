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
                        QCoreApplication::translate("Fault", "Errore di calcolo: %1.").arg(faultText(fault)),
                        QMessageBox::Ok, QApplication::activeWindow());
        box.setInformativeText(QCoreApplication::translate(
            "Fault", "Il calcolo si è fermato a questo passo: i risultati già scritti restano."));
        box.exec();
    }
};

MessageBoxReporter gMessageBox;
FaultReporter* gReporter = &gMessageBox;
}  // namespace

QString faultText(const char* message) { return QCoreApplication::translate("Fault", message); }

QString faultText(const Fault& fault) { return faultText(fault.what()); }

FaultReporter& faultReporter() { return *gReporter; }

void setFaultReporter(FaultReporter* reporter) { gReporter = reporter != nullptr ? reporter : &gMessageBox; }

}  // namespace px
