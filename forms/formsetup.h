#pragma once

class QWidget;

namespace FormSetup {

// Whether a form object may build its form into 'widget': there must be a
// widget, and the object must not have built before (a second tree in the
// same host would repoint every getter). Otherwise warns, naming the form and
// the misuse, and answers false; the caller then builds nothing.
bool admit(const char *form, const QWidget *widget, bool alreadyBuilt);

} // namespace FormSetup
