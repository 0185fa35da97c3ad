# Quick start: `make play` builds and starts the game, `make check` builds and runs every test.
.PHONY: play check deps build bench format clean

deps:
	@./tools/install-deps.sh

build: deps
	cmake --preset release >/dev/null
	cmake --build --preset release

play: build
	./build/release/zuravozidizuvav

check: deps
	cmake --preset ci >/dev/null
	cmake --build --preset ci
	ctest --preset ci
	cmake --preset asan >/dev/null
	cmake --build --preset asan --target game_tests
	ctest --preset asan

bench: build
	./build/release/game_bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build
