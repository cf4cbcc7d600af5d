#pragma once

class QWidget;

// The advert strip's web view, from its module beside the program (libvettora-advert.so,
// vettora-advert.dll), loaded only when there is a page to show. A build without the
// web engine has neither module nor view.
namespace 广告网页 {

// Whether a view can be made here: the module is there and the engine can run.
bool 可用();

// Loads the module and makes the view, hidden, as a child of 父; nullptr when it cannot.
QWidget* 建立(QWidget* 父);

}  // namespace 广告网页
