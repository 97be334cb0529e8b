// Fault messages and the recorder.  The message box reporter and the choice of reporter live with the widgets.
#include "fault.h"

#include <utility>

#include "translate.h"

namespace px {

const char* Fault::what() const noexcept { return message_ != nullptr ? message_ : faultMessage(kind_); }

const char* faultMessage(FaultKind kind) noexcept {
    switch (kind) {
        case FaultKind::InvalidArgument:
            return PX_TRANSLATE_NOOP("Fault", "Argomento non valido");
        case FaultKind::DivisionByZero:
            return PX_TRANSLATE_NOOP("Fault", "Divisione per zero");
        case FaultKind::Overflow:
            return PX_TRANSLATE_NOOP("Fault", "Overflow");
        case FaultKind::IndexOutOfRange:
            return PX_TRANSLATE_NOOP("Fault", "Indice fuori dai limiti della tabella");
    }
    return PX_TRANSLATE_NOOP("Fault", "Errore");
}

std::vector<std::string> FaultRecorder::take() {
    std::vector<std::string> taken;
    taken.swap(messages_);
    return taken;
}

}  // namespace px
