// The window's icon, a green trace on black, drawn at any size: the window
// uses it and the installed icon files are made from it.
#pragma once
#include <QIcon>
#include <QImage>
#include <array>

// The sizes a desktop asks for in menus, task bars and launchers.
inline constexpr std::array kWindowIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

QImage WindowIconImage(int size);
// Every size of kWindowIconSizes.
QIcon WindowIcon();
