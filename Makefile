# The two commands: `make run` and `make test`. Both install what is missing first.
# `make test` runs every suite twice: on the normal build (preset "dev", build/), then
# on a second build with AddressSanitizer, UndefinedBehaviorSanitizer and the leak
# check (preset "asan", build-asan/). WERROR=ON makes every warning an error.
JOBS ?= $(shell nproc)
WERROR ?= OFF

.PHONY: deps configure build run test test-plain test-sanitizers clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake --preset dev -DTEMPOLINO_WERROR=$(WERROR)

build: configure
	cmake --build --preset dev -j$(JOBS)

run: build
	./build/tempolino

test: test-plain test-sanitizers

test-plain: build
	ctest --preset dev -j$(JOBS)

# The Qt Test suites under the sanitizers, and the real program started and closed under
# X (the other process-level tests run on the plain build).
test-sanitizers: deps
	cmake --preset asan -DTEMPOLINO_WERROR=$(WERROR)
	cmake --build --preset asan -j$(JOBS)
	ctest --preset asan -j$(JOBS)

clean:
	rm -rf build build-asan build-release
