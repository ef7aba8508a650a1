#pragma once
// The user registry users.ini: one section per user name, with the keys
// password and test1 ... test12, every value encoded by the store.
#include <QByteArray>

#include <array>
#include <cstdint>

namespace larendo::access {

// Writes test1 ... test12 of user from grades[1] ... grades[12].
void SaveGrades(const QByteArray &user, const std::array<std::uint8_t, 13> &grades);

} // namespace larendo::access
