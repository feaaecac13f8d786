#include "view/ScrollBarColorRequest.h"

QEvent::Type ScrollBarColorRequest::type()
{
    static const QEvent::Type registered = QEvent::Type(QEvent::registerEventType());
    return registered;
}
