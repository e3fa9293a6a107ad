// Proves that widgets can be created, laid out, driven and rendered without a
// display, which every window test of both programs relies on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

TEST(OffscreenGui, RunsOnTheOffscreenPlatform) {
  EXPECT_EQ(QGuiApplication::platformName(), "offscreen");
}

TEST(OffscreenGui, WidgetRendersAndReactsToClicks) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* label = new QLabel("Fseq Name");
  auto* button = new QPushButton("Clear All");
  layout->addWidget(label);
  layout->addWidget(button);
  QObject::connect(button, &QPushButton::clicked, label, [label] { label->setText("cleared"); });
  window.resize(200, 80);
  window.show();

  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(label->text(), "cleared");

  window.setStyleSheet("background: rgb(255, 0, 0);");
  QImage image = window.grab().toImage();
  ASSERT_EQ(image.size(), QSize(200, 80));
  EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 0, 0));
}
