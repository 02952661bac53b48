// SPDX-License-Identifier: MIT
#pragma once

// The four-colour status scale: green all well, yellow attention soon, red failure, gray no
// information.
enum class StatusColor { Green, Yellow, Red, Gray };
