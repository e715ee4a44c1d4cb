#pragma once

#include <QDialog>
#include <functional>

// WithNextModalDialog for any of the toolkit's modal dialogs, its own file dialog too.
bool WithNextQtDialog(const std::function<void()>& action,
                      const std::function<void(QDialog&)>& inspect);
