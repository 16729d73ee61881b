# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands: `make run` and `make test`. Both install what is missing first:
# `make run` only what building and running the program need, `make test` also what the
# tests need (servers, checkers, the sanitizers' runtime).
# `make test` runs every suite twice: on the normal build (preset "dev", build/), then
# on a second build with AddressSanitizer, UndefinedBehaviorSanitizer and the leak
# check (preset "asan", build-asan/). WERROR=ON makes every warning an error.
JOBS ?= $(shell nproc)
WERROR ?= OFF

.PHONY: deps deps-test build build-all run test test-plain test-sanitizers clean

deps:
	bash scripts/install-deps.sh run

deps-test:
	bash scripts/install-deps.sh test

# The program alone (the build tree's tests are left out until `make test` asks for them).
build: deps
	cmake --preset dev -DBUILD_TESTING=OFF -DTEMPOLINO_WERROR=$(WERROR)
	cmake --build --preset dev -j$(JOBS)

build-all: deps-test
	cmake --preset dev -DBUILD_TESTING=ON -DTEMPOLINO_WERROR=$(WERROR)
	cmake --build --preset dev -j$(JOBS)

run: build
	./build/tempolino

test: test-plain test-sanitizers

test-plain: build-all
	ctest --preset dev -j$(JOBS)

# The Qt Test suites under the sanitizers, and the real program started and closed under
# X (the other process-level tests run on the plain build).
test-sanitizers: deps-test
	cmake --preset asan -DTEMPOLINO_WERROR=$(WERROR)
	cmake --build --preset asan -j$(JOBS)
	ctest --preset asan -j$(JOBS)

clean:
	rm -rf build build-asan build-release
