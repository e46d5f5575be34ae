// The sound gallery: a list of the game's sounds, each heard when it is selected.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <functional>

#include "game/tipos.h"
#include "platform/event_road.h"
#include "platform/services.h"
#include "sound/channel.h"

namespace gus {

// A list box whose key handler runs before the list acts on the key.
class GalleryList : public QListWidget {
  public:
    using KeyHandler = std::function<bool(QKeyEvent*)>;  // true: the key is used up

    explicit GalleryList(QWidget* parent) : QListWidget(parent) {}
    void setBeforeKey(KeyHandler fn) { beforeKey_ = std::move(fn); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    KeyHandler beforeKey_;
};

class Dialog1 : public QDialog {
  public:
    explicit Dialog1(Services& services, QWidget* parent = nullptr);
    ~Dialog1() override;

    GalleryList* List1() const { return list1_; }
    Channel& MP1() { return mp1_; }

    void Form_Load();
    void List1_Click();
    // True when the key closed the gallery.
    bool List1_KeyDown(Entero KeyCode);

  protected:
    bool event(QEvent* e) override;

  private:
    void playEntry(int index);

    Services& s_;
    Channel mp1_;
    GalleryList* list1_;
    bool entrySpoken_ = false;
};

}  // namespace gus
