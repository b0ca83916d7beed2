#pragma once
// Inside the texture loaders: the store's pictures decoded and keyed on a
// second thread while the window and its GL context are made (see
// StartDecodingPicturesAhead in textures.h). Only InitializeGraphics takes
// them, in its order.

#include "gfx/textures.h"

// Waits for the decoding ahead, when one was started. 1 when its pictures were
// made for this texture size limit and it opened the store: UploadPictureAhead
// then gives them, and DropPicturesAhead closes that store. -1 when it was made
// for this limit but found no store. 0 when there was none or it was made for
// another limit; then it is already forgotten and its store closed.
int TakePicturesAhead(int sizeLimit);
// The texture of store picture `id` from its picture decoded ahead, whose
// buffer goes at once. 1 when made and stored in *slot, 0 otherwise.
int UploadPictureAhead(int id, TextureSlot* slot);
// Forgets whatever was decoded ahead and closes the store it opened. Safe
// when none was started.
void DropPicturesAhead();
