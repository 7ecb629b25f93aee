#pragma once

#include "benchreferences.h"

// uic's class of every form, compiled in (uicforms.cpp is written by CMake
// from the list of forms).
BenchReferences::UicBuild uicFormBuild(const QString &form);
