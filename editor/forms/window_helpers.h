#pragma once

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

// Small helpers the editor's windows build their controls with.
namespace fseq {

QPushButton* makeButton(const char* objectName, const QString& caption);
QLabel* makeLabel(const char* objectName, const QString& text);

// The blue, bold look of the labels that show file names.
void makeFileNameLabel(QLabel* label);

// Shows a window that may be hidden, behind others or not yet created.
void showWindow(QWidget* window);

// A fixed-pitch font for the report box and value columns.
QFont monospaceFont();

}  // namespace fseq
