// Counts the pixels of one colour in a picture, for the tests that look at a
// screenshot taken outside the program (the Wayland compositor's own). A
// channel may be off by a few steps: the compositor fades a new window in,
// so a frame caught early is a hair transparent.
// Usage: colour_count PICTURE RED GREEN BLUE; prints the count.
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s PICTURE RED GREEN BLUE\n", argv[0]);
    return 2;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]));
  if (image.isNull()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const int red = std::atoi(argv[2]);
  const int green = std::atoi(argv[3]);
  const int blue = std::atoi(argv[4]);
  constexpr int kSteps = 4;
  long count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (std::abs(qRed(pixel) - red) <= kSteps &&
          std::abs(qGreen(pixel) - green) <= kSteps &&
          std::abs(qBlue(pixel) - blue) <= kSteps) {
        ++count;
      }
    }
  }
  std::printf("%ld\n", count);
  return 0;
}
