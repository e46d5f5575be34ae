// Paints walls, streets, the exit, worms, bombs and the player.
#include "frontend/board_view.h"

#include <QPainter>

#include "game/form1.h"

namespace gus {

namespace {

constexpr int kCellPixels = 36;
constexpr int kShownCells = kUltima - kBordeMin + 2;  // the play area and its wall all round

const QColor kWall(0, 0, 0);
const QColor kStreet(255, 255, 255);
const QColor kWorm(0, 150, 0);
const QColor kExit(255, 140, 0);
const QColor kBomb(220, 0, 0);
const QColor kPlayer(0, 70, 255);

void paintToken(QPainter& painter, const QRect& cell, const QColor& colour, const QString& letter) {
    painter.setBrush(colour);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(cell.adjusted(3, 3, -3, -3));
    painter.setPen(Qt::white);
    painter.drawText(cell, Qt::AlignCenter, letter);
}

}  // namespace

BoardView::BoardView(const Form1& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName(QStringLiteral("Tablero"));
    setAccessibleName(QStringLiteral("Vista del tablero"));
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kShownCells * kCellPixels, kShownCells * kCellPixels);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(kCellPixels / 2);
    setFont(bold);
}

void BoardView::refresh() {
    ++refreshes_;
    update();
}

QRect BoardView::cellRect(int x, int y) const {
    return QRect((x - kBordeMin) * kCellPixels, (y - kBordeMin) * kCellPixels, kCellPixels,
                 kCellPixels);
}

void BoardView::paintCell(QPainter& painter, int x, int y) const {
    const QRect cell = cellRect(x, y);
    const Entero value = game_.Tablero(x, y);
    painter.fillRect(cell, value == CeldaPared ? kWall : kStreet);
    if (value == CeldaMonstruo) paintToken(painter, cell, kWorm, QStringLiteral("G"));
    if (value == CeldaSalida) paintToken(painter, cell, kExit, QStringLiteral("S"));
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int x = kBordeMin; x <= kUltima + 1; ++x) {
        for (int y = kBordeMin; y <= kUltima + 1; ++y) paintCell(painter, x, y);
    }
    for (const RegistroBomba& bomb : game_.Bombas) {
        if (esVerdadero(bomb.Activa) && enZonaDeJuego(bomb.X, bomb.Y)) {
            paintToken(painter, cellRect(bomb.X, bomb.Y), kBomb, QStringLiteral("B"));
        }
    }
    if (enZonaDeJuego(game_.Jugador.X, game_.Jugador.Y)) {
        paintToken(painter, cellRect(game_.Jugador.X, game_.Jugador.Y), kPlayer,
                   QStringLiteral("J"));
    }
}

}  // namespace gus
