#pragma once
// The number that names an association in every toolkit call; 0 names none.

using KivAssocId = long;
