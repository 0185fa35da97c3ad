# Quick start: `make play` builds and starts the game, `make check` builds and runs every test.
.PHONY: play check deps build bench format clean install deb screenshot

deps:
	@./tools/install-deps.sh

build: deps
	cmake --preset release >/dev/null
	cmake --build --preset release

play: build
	./build/release/zuravozidizuvav

check: deps
	./tools/check-layers.sh
	cmake --preset ci >/dev/null
	cmake --build --preset ci
	ctest --preset ci
	cmake --preset asan >/dev/null
	cmake --build --preset asan --target game_tests
	ctest --preset asan

# Installs the release build: make install PREFIX=/usr/local DESTDIR=/some/staging/folder
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)"

# A Debian package of the release build, left in this folder: apt install ./zuravozidizuvav_*.deb
deb: build
	cd build/release && cpack -G DEB -B "$(CURDIR)/build/release/package"
	cp build/release/package/zuravozidizuvav_*.deb .

# Takes the picture of the game the software centres show (docs/screenshot.png).
screenshot: build
	./tools/screenshot.sh build/release/zuravozidizuvav docs/screenshot.png

bench: build
	./build/release/game_bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build zuravozidizuvav_*.deb
