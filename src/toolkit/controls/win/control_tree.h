// The controls of one window, held once: in table order (Tab's order and a
// reader's child ids), each linked to the control it is placed in and to
// what is placed in it. Placement, painting and hit testing walk the links;
// a control is found by id through its state (ControlState::peer).
#pragma once
#include <memory>
#include <vector>

#include "toolkit/controls/win/native_control.h"

namespace vex::win {

class ControlTree {
 public:
  // Takes the controls in table order and links each to its parent, found
  // by `parentOf`; a chain that loops or runs too deep puts the control
  // straight on the window.
  template <typename ParentOf>
  void build(std::vector<std::unique_ptr<NativeControl>> rows, ParentOf&& parentOf);

  const std::vector<std::unique_ptr<NativeControl>>& rows() const { return rows_; }

  // Parents before what is placed in them.
  template <typename F>
  void placementOrder(F&& f) const {
    for (const auto& c : rows_)
      if (!c->parent()) placeFrom(*c, f);
  }
  // Back to front: earlier rows of the table lie above later ones, a box's
  // children above the box, in the same order among themselves.
  template <typename F>
  void paintOrder(F&& f) const {
    paintFrom(layer_, f);
  }
  // Front to back: the first control `wanted` takes, or null.
  template <typename Wanted>
  NativeControl* frontmost(Wanted&& wanted) const {
    return frontFrom(layer_, wanted);
  }

 private:
  template <typename F>
  static void placeFrom(NativeControl& c, F& f) {
    f(c);
    for (NativeControl* child : c.children()) placeFrom(*child, f);
  }
  template <typename F>
  static void paintFrom(const std::vector<NativeControl*>& layer, F& f) {
    for (auto it = layer.rbegin(); it != layer.rend(); ++it) {
      f(**it);
      if ((*it)->kind() == ControlKind::ShapeBox) paintFrom((*it)->children(), f);
    }
  }
  template <typename Wanted>
  static NativeControl* frontFrom(const std::vector<NativeControl*>& layer, Wanted& wanted) {
    for (NativeControl* c : layer) {
      if (c->kind() == ControlKind::ShapeBox)
        if (NativeControl* inside = frontFrom(c->children(), wanted)) return inside;
      if (wanted(*c)) return c;
    }
    return nullptr;
  }

  std::vector<std::unique_ptr<NativeControl>> rows_;
  std::vector<NativeControl*> layer_;  // the controls in no box, in table order
};

template <typename ParentOf>
void ControlTree::build(std::vector<std::unique_ptr<NativeControl>> rows, ParentOf&& parentOf) {
  rows_ = std::move(rows);
  for (const auto& c : rows_) {
    NativeControl* parent = parentOf(*c);
    if (parent != c.get()) c->setParent(parent);
  }
  for (const auto& c : rows_) {
    int depth = 0;
    for (const NativeControl* p = c->parent(); p && depth <= kMaxBoxDepth; p = p->parent()) ++depth;
    if (depth > kMaxBoxDepth) c->setParent(nullptr);
  }
  layer_.clear();
  for (const auto& c : rows_)
    if (!c->box()) layer_.push_back(c.get());
}

}  // namespace vex::win
