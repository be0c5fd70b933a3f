#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

// The program's pictures, drawn in code so that nothing outside the project is needed.
namespace Artwork {

QPixmap clock(int size);          // "&Ponto" of the main window
QPixmap welcome(QSize size);      // the main window's picture area, transparent
QPixmap punch(int size);          // the terminal's punch button
QPixmap pencil(int size);         // "Alteração"
QPixmap document(QSize size);     // "Relatórios"
QPixmap check(int size);          // OK
QPixmap cross(int size);          // Cancel
QPixmap databaseSearch(int size); // "&Pesquisa"
// A portrait with the initials of the name, for sample employees.
QPixmap portrait(const QString& name, const QColor& shirt, QSize size);

} // namespace Artwork
